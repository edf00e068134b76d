#include "help/RtfReader.h"

#include "help/Cp1252.h"

#include <QColor>
#include <QHash>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace vartel {
namespace {

// Groups nested deeper than this are read but their content is dropped, so that a hostile file cannot make
// the group stack grow without bound.
constexpr int MaxGroupDepth = 256;
// Font sizes are in half-points; this is the largest size the common word processors accept (1638 pt).
constexpr int MaxHalfPoints = 3276;
constexpr double TwipsPerPixel = 15.0; // 1440 twips per inch at 96 pixels per inch

enum class Destination { Text, Skip, FontTable, ColorTable };

struct CharacterState {
    int Font = -1;      // index into the font table; -1 is the document's default font
    int HalfPoints = 0; // 0: not set, the view's own font size applies
    int Colour = 0;     // index into the colour table; 0 is "auto"
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
};

struct ParagraphState {
    Qt::Alignment Alignment = Qt::AlignLeft;
    int LeftIndent = 0; // twips
    int RightIndent = 0;
    int FirstIndent = 0;
    int SpaceBefore = 0;
    int SpaceAfter = 0;
};

struct GroupState {
    vartel::Destination Destination = vartel::Destination::Text;
    CharacterState Characters;
    ParagraphState Paragraph;
    int UnicodeFallback = 1; // \ucN: characters that follow each \uN for readers without Unicode
};

struct ControlWord {
    std::string_view Name;
    bool HasParameter = false;
    int Parameter = 0;
};

class RtfParser {
public:
    RtfParser(const QByteArray& rtf, QTextDocument& document)
        : input_(rtf.constData(), std::size_t(rtf.size())), cursor_(&document)
    {
    }

    void Parse()
    {
        stack_.emplace_back();
        while (position_ < input_.size() && !finished_) {
            const char c = input_[position_++];
            if (c == '{') {
                OpenGroup();
            } else if (c == '}') {
                CloseGroup();
            } else if (c == '\\') {
                ReadControl();
            } else if (overflowDepth_ == 0) {
                ReadPlainByte(static_cast<unsigned char>(c));
            }
        }
        FlushText();
        cursor_.setBlockFormat(BlockFormat());
    }

private:
    GroupState& State() { return stack_.back(); }

    void OpenGroup()
    {
        pendingFallback_ = 0;
        if (overflowDepth_ > 0 || static_cast<int>(stack_.size()) > MaxGroupDepth) {
            ++overflowDepth_;
            return;
        }
        FlushText();
        stack_.push_back(stack_.back());
    }

    void CloseGroup()
    {
        pendingFallback_ = 0;
        if (overflowDepth_ > 0) {
            --overflowDepth_;
            return;
        }
        if (stack_.size() <= 1) {
            return; // a stray closing brace
        }
        FlushText();
        const GroupState closed = stack_.back();
        stack_.pop_back();
        if (closed.Destination == Destination::FontTable && !fontName_.isEmpty()) {
            CommitFontName(); // a font entry whose name lacks the closing semicolon
        }
        // The document ends with its outermost group; whatever follows is not part of it.
        finished_ = stack_.size() == 1 && sawDocumentGroup_;
    }

    void ReadControl()
    {
        if (position_ >= input_.size()) {
            return; // a lone backslash at the end
        }
        const char c = input_[position_];
        if (IsLetter(c)) {
            ControlWord word = ReadControlWord();
            if (overflowDepth_ > 0) {
                return;
            }
            if (pendingFallback_ > 0) {
                --pendingFallback_;
                return;
            }
            ApplyControlWord(word);
            return;
        }
        ++position_;
        if (overflowDepth_ > 0) {
            return;
        }
        if (c == '\'') {
            ReadHexByte();
            return;
        }
        if (pendingFallback_ > 0) {
            --pendingFallback_;
            return;
        }
        switch (c) {
        case '\\':
        case '{':
        case '}':
            AddCharacter(char16_t(c));
            break;
        case '~':
            AddCharacter(u'\u00A0');
            break;
        case '_':
            AddCharacter(u'\u2011');
            break;
        case '*':
            // An ignorable destination: this reader knows none of them worth showing.
            SetDestination(Destination::Skip);
            break;
        case '\n':
        case '\r':
            EndParagraph();
            break;
        default:
            break; // \- (optional hyphen), \: and unknown symbols
        }
    }

    ControlWord ReadControlWord()
    {
        const std::size_t start = position_;
        while (position_ < input_.size() && IsLetter(input_[position_])) {
            ++position_;
        }
        ControlWord word;
        word.Name = input_.substr(start, std::min<std::size_t>(position_ - start, 32));
        bool negative = false;
        if (position_ + 1 < input_.size() && input_[position_] == '-' && IsDigit(input_[position_ + 1])) {
            negative = true;
            ++position_;
        }
        std::int64_t value = 0;
        while (position_ < input_.size() && IsDigit(input_[position_])) {
            word.HasParameter = true;
            value = std::min<std::int64_t>(value * 10 + (input_[position_] - '0'), std::int64_t(1) << 32);
            ++position_;
        }
        if (negative) {
            value = -value;
        }
        word.Parameter = static_cast<int>(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));
        if (position_ < input_.size() && input_[position_] == ' ') {
            ++position_; // the delimiting space belongs to the word
        }
        return word;
    }

    void ReadHexByte()
    {
        int value = 0;
        int digits = 0;
        while (digits < 2 && position_ < input_.size() && HexValue(input_[position_]) >= 0) {
            value = value * 16 + HexValue(input_[position_]);
            ++position_;
            ++digits;
        }
        if (digits == 0) {
            return; // a truncated escape stands for nothing
        }
        if (pendingFallback_ > 0) {
            --pendingFallback_;
            return;
        }
        if (value < 0x20 && value != '\t') {
            return; // control bytes are no text
        }
        AddCharacter(Cp1252ToUnicode(static_cast<unsigned char>(value)));
    }

    void ReadPlainByte(unsigned char byte)
    {
        if (byte == '\r' || byte == '\n') {
            return; // line ends in the file are not part of the text
        }
        if (byte < 0x20 && byte != '\t') {
            return;
        }
        if (pendingFallback_ > 0) {
            --pendingFallback_;
            return;
        }
        if (State().Destination == Destination::ColorTable && byte == ';') {
            CommitColour();
            return;
        }
        if (State().Destination == Destination::FontTable && byte == ';') {
            CommitFontName();
            return;
        }
        AddCharacter(Cp1252ToUnicode(byte));
    }

    void ApplyControlWord(const ControlWord& word)
    {
        const std::string_view name = word.Name;
        const int n = word.Parameter;
        const bool on = !word.HasParameter || n != 0;
        CharacterState& chars = State().Characters;
        ParagraphState& paragraph = State().Paragraph;

        if (name == "rtf") {
            sawDocumentGroup_ = sawDocumentGroup_ || stack_.size() == 2;
        } else if (name == "par" || name == "sect" || name == "page") {
            EndParagraph();
        } else if (name == "line") {
            AddCharacter(u'\u2028');
        } else if (name == "tab") {
            AddCharacter(u'\t');
        } else if (name == "u") {
            if (word.HasParameter) {
                AddUnicode(n);
            }
        } else if (name == "uc") {
            State().UnicodeFallback = std::clamp(n, 0, 16);
        } else if (name == "deff") {
            defaultFont_ = n;
        } else if (name == "fonttbl") {
            SetDestination(Destination::FontTable);
        } else if (name == "colortbl") {
            SetDestination(Destination::ColorTable);
        } else if (IsSkippedDestination(name)) {
            SetDestination(Destination::Skip);
        } else if (State().Destination == Destination::FontTable) {
            if (name == "f") {
                tableFont_ = n;
            }
        } else if (State().Destination == Destination::ColorTable) {
            const int component = std::clamp(n, 0, 255);
            if (name == "red") {
                tableColour_.setRed(component);
                tableColourSet_ = true;
            } else if (name == "green") {
                tableColour_.setGreen(component);
                tableColourSet_ = true;
            } else if (name == "blue") {
                tableColour_.setBlue(component);
                tableColourSet_ = true;
            }
        } else if (name == "plain") {
            ChangeCharacters([&] { chars = CharacterState{}; });
        } else if (name == "b") {
            ChangeCharacters([&] { chars.Bold = on; });
        } else if (name == "i") {
            ChangeCharacters([&] { chars.Italic = on; });
        } else if (name == "ul" || name == "ulw" || name == "uld" || name == "uldb") {
            ChangeCharacters([&] { chars.Underline = on; });
        } else if (name == "ulnone") {
            ChangeCharacters([&] { chars.Underline = false; });
        } else if (name == "fs") {
            ChangeCharacters([&] { chars.HalfPoints = n > 0 ? std::min(n, MaxHalfPoints) : 0; });
        } else if (name == "f") {
            ChangeCharacters([&] { chars.Font = n; });
        } else if (name == "cf") {
            ChangeCharacters([&] { chars.Colour = n; });
        } else if (name == "pard") {
            paragraph = ParagraphState{};
        } else if (name == "ql") {
            paragraph.Alignment = Qt::AlignLeft;
        } else if (name == "qr") {
            paragraph.Alignment = Qt::AlignRight;
        } else if (name == "qc") {
            paragraph.Alignment = Qt::AlignHCenter;
        } else if (name == "qj") {
            paragraph.Alignment = Qt::AlignJustify;
        } else if (name == "li") {
            paragraph.LeftIndent = n;
        } else if (name == "ri") {
            paragraph.RightIndent = n;
        } else if (name == "fi") {
            paragraph.FirstIndent = n;
        } else if (name == "sb") {
            paragraph.SpaceBefore = n;
        } else if (name == "sa") {
            paragraph.SpaceAfter = n;
        } else if (const char16_t symbol = NamedCharacter(name); symbol != 0) {
            AddCharacter(symbol);
        }
        // Every other control word is skipped on its own.
    }

    static bool IsSkippedDestination(std::string_view name)
    {
        static constexpr std::array<std::string_view, 25> Skipped = {
            "stylesheet", "info",    "pict",      "object",    "objdata",           "header",  "headerl",
            "headerr",    "headerf", "footer",    "footerl",   "footerr",           "footerf", "footnote",
            "ftnsep",     "ftnsepc", "ftncn",     "listtable", "listoverridetable", "revtbl",  "rsidtbl",
            "generator",  "filetbl", "themedata", "fldinst",
        };
        return std::find(Skipped.begin(), Skipped.end(), name) != Skipped.end();
    }

    static char16_t NamedCharacter(std::string_view name)
    {
        if (name == "emdash")
            return u'\u2014';
        if (name == "endash")
            return u'\u2013';
        if (name == "bullet")
            return u'\u2022';
        if (name == "lquote")
            return u'\u2018';
        if (name == "rquote")
            return u'\u2019';
        if (name == "ldblquote")
            return u'\u201C';
        if (name == "rdblquote")
            return u'\u201D';
        if (name == "emspace")
            return u'\u2003';
        if (name == "enspace")
            return u'\u2002';
        return 0;
    }

    template <typename Change> void ChangeCharacters(Change change)
    {
        FlushText();
        change();
    }

    void SetDestination(Destination destination)
    {
        FlushText();
        State().Destination = destination;
    }

    void AddUnicode(int value)
    {
        if (value < 0) {
            value += 65536; // written as a signed 16-bit number
        }
        const bool valid = value >= 0 && value <= 0xFFFF;
        if (!valid || value >= 0x20 || value == '\t') { // control characters are no text
            AddCharacter(valid ? char16_t(value) : u'\uFFFD');
        }
        pendingFallback_ = State().UnicodeFallback;
    }

    // Collects one UTF-16 unit of the current destination, pairing surrogates and replacing lone ones.
    void AddCharacter(char16_t unit)
    {
        if (State().Destination == Destination::Skip) {
            return;
        }
        if (State().Destination == Destination::ColorTable) {
            return;
        }
        QString& target = State().Destination == Destination::FontTable ? fontName_ : text_;
        const bool high = unit >= 0xD800 && unit <= 0xDBFF;
        const bool low = unit >= 0xDC00 && unit <= 0xDFFF;
        if (low) {
            if (pendingHighSurrogate_ != 0) {
                target.append(QChar(pendingHighSurrogate_));
                target.append(QChar(unit));
                pendingHighSurrogate_ = 0;
            } else {
                target.append(QChar(u'\uFFFD'));
            }
            return;
        }
        DropLoneHighSurrogate(target);
        if (high) {
            pendingHighSurrogate_ = unit;
        } else {
            target.append(QChar(unit));
        }
    }

    void DropLoneHighSurrogate(QString& target)
    {
        if (pendingHighSurrogate_ != 0) {
            target.append(QChar(u'\uFFFD'));
            pendingHighSurrogate_ = 0;
        }
    }

    void CommitColour()
    {
        colours_.push_back(tableColourSet_ ? tableColour_ : QColor());
        tableColour_ = QColor(0, 0, 0);
        tableColourSet_ = false;
    }

    void CommitFontName()
    {
        DropLoneHighSurrogate(fontName_);
        fonts_.insert(tableFont_, fontName_.trimmed());
        fontName_.clear();
    }

    void FlushText()
    {
        DropLoneHighSurrogate(text_);
        if (text_.isEmpty()) {
            return;
        }
        cursor_.insertText(text_, CharFormat());
        text_.clear();
    }

    void EndParagraph()
    {
        if (State().Destination != Destination::Text) {
            return;
        }
        FlushText();
        const QTextCharFormat characters = CharFormat();
        cursor_.setBlockFormat(BlockFormat());
        if (cursor_.block().length() <= 1) {
            cursor_.setBlockCharFormat(characters); // an empty line takes the height of its font
        }
        cursor_.insertBlock(BlockFormat(), characters);
    }

    QTextCharFormat CharFormat() const
    {
        const CharacterState& chars = stack_.back().Characters;
        QTextCharFormat format;
        format.setFontWeight(chars.Bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(chars.Italic);
        format.setFontUnderline(chars.Underline);
        if (chars.HalfPoints > 0) {
            format.setFontPointSize(chars.HalfPoints / 2.0);
        }
        const auto font = fonts_.constFind(chars.Font >= 0 ? chars.Font : defaultFont_);
        if (font != fonts_.constEnd() && !font->isEmpty()) {
            format.setFontFamilies({*font});
        }
        if (chars.Colour > 0 && chars.Colour < static_cast<int>(colours_.size()) && colours_[chars.Colour].isValid()) {
            format.setForeground(colours_[chars.Colour]);
        }
        return format;
    }

    QTextBlockFormat BlockFormat() const
    {
        const ParagraphState& paragraph = stack_.back().Paragraph;
        QTextBlockFormat format;
        format.setAlignment(paragraph.Alignment);
        format.setLeftMargin(paragraph.LeftIndent / TwipsPerPixel);
        format.setRightMargin(paragraph.RightIndent / TwipsPerPixel);
        format.setTextIndent(paragraph.FirstIndent / TwipsPerPixel);
        if (paragraph.FirstIndent < 0) {
            // A hanging indent has a tab stop at the left indent, so that "bullet, tab, text" lines the
            // text up with the paragraph's other lines. Qt counts tab stops from the first line's start.
            format.setTabPositions({QTextOption::Tab(-(paragraph.FirstIndent / TwipsPerPixel), QTextOption::LeftTab)});
        }
        format.setTopMargin(paragraph.SpaceBefore / TwipsPerPixel);
        format.setBottomMargin(paragraph.SpaceAfter / TwipsPerPixel);
        return format;
    }

    static bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }
    static int HexValue(char c)
    {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    }

    std::string_view input_;
    std::size_t position_ = 0;
    QTextCursor cursor_;
    std::vector<GroupState> stack_;
    int overflowDepth_ = 0;
    bool sawDocumentGroup_ = false;
    bool finished_ = false;
    int pendingFallback_ = 0;
    char16_t pendingHighSurrogate_ = 0;
    QString text_;
    int defaultFont_ = 0;
    QHash<int, QString> fonts_;
    int tableFont_ = 0;
    QString fontName_;
    std::vector<QColor> colours_;
    QColor tableColour_{0, 0, 0};
    bool tableColourSet_ = false;
};

} // namespace

void ReadRtf(const QByteArray& rtf, QTextDocument& document)
{
    document.clear();
    RtfParser parser(rtf, document);
    parser.Parse();
}

} // namespace vartel

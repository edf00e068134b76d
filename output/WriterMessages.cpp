#include "output/WriterMessages.h"

#include <utility>
#include <vector>

namespace vartel {

namespace {

MessageTranslator& Translator()
{
    static MessageTranslator translator;
    return translator;
}

} // namespace

void SetMessageTranslator(MessageTranslator translator)
{
    Translator() = std::move(translator);
}

std::string WriterMessage(const char* context, const char* english, std::initializer_list<std::string> values)
{
    std::string pattern = Translator() ? Translator()(context, english) : std::string();
    if (pattern.empty())
        pattern = english;
    const std::vector<std::string> filled(values);
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const auto number = static_cast<std::size_t>(next - '0');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && number <= filled.size()) {
            text += filled[number - 1];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

} // namespace vartel

#pragma once
// The texts a run shows on its way (the board, corrections, the instruction, the Start button) in the
// language in use, for the page, which shows them as the session gives them, in English.
#include <QJsonObject>
#include <QString>

namespace vartel {

// { context: { English: translation } } for every message of those contexts that `translationSource` (the
// translations' .ts file, read only for the list of English texts) holds; the translations are the
// application's own.
QJsonObject TranslatedRunTexts(const QString& translationSource);

} // namespace vartel

#pragma once
// The writers' and the reader's messages are English, marked for the translation tools under the contexts
// "FileError" and "SavedRun". The window installs its translation once; the batch tool keeps the English.
#include "model/TranslatableText.h"

#include <functional>
#include <initializer_list>
#include <string>

namespace vartel {

// The translation of `english` under `context`, or "" to keep the English.
using MessageTranslator = std::function<std::string(const char* context, const char* english)>;

// Installs the translation every later message goes through; an empty one keeps them English.
void SetMessageTranslator(MessageTranslator translator);

// `english` translated, with "%1", "%2", ... replaced by `values` in one pass, so that a value that holds
// "%2" stays as it is.
std::string WriterMessage(const char* context, const char* english, std::initializer_list<std::string> values = {});

} // namespace vartel

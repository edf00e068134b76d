// libFuzzer entry: any byte string must read into a document without a crash, a hang or a leak.
#include "help/RtfReader.h"

#include <QTextDocument>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QTextDocument document;
    vartel::ReadRtf(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), document);
    return 0;
}

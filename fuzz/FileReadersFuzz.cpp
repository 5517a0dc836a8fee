// libFuzzer target: every input is read as mysetting.cfg, as gameinfo.cfg and
// as sysinfo.txt. A crash, a sanitizer report or a broken rule stops the run.

#include "ReaderChecks.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QStringList broken = velko::checkAllReaders(bytes);
    if (!broken.isEmpty()) {
        std::fprintf(stderr, "broken rules: %s\n", qPrintable(broken.join(QStringLiteral("; "))));
        std::abort();
    }
    return 0;
}

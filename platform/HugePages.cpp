#include "platform/HugePages.h"

#include <cstdint>
#include <sys/mman.h>

void adviseHugePages(void* data, qsizetype size)
{
#if defined(MADV_HUGEPAGE)
    constexpr std::uintptr_t HugePage = std::uintptr_t(2) << 20;
    if (size < qsizetype(2 * HugePage))
        return;
    const auto start = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t first = (start + HugePage - 1) & ~(HugePage - 1);
    const std::uintptr_t end = (start + std::uintptr_t(size)) & ~(HugePage - 1);
    // Only advice: memory that cannot have huge pages simply keeps small ones.
    if (end > first)
        ::madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
#else
    Q_UNUSED(data);
    Q_UNUSED(size);
#endif
}

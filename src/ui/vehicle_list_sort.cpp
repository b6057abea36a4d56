#include "ui/vehicle_list_sort.h"

#include <algorithm>

namespace {

char16_t foldAscii(char16_t c)
{
    return c >= u'a' && c <= u'z' ? char16_t(c - u'a' + u'A') : c;
}

} // namespace

int compareTextAsciiFold(const QString& a, const QString& b)
{
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        const int diff = int(foldAscii(a[i].unicode())) - int(foldAscii(b[i].unicode()));
        if (diff != 0)
            return diff;
    }
    return int(a.size() - b.size());
}

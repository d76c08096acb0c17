#include "settings/TextCompare.h"

#include <QCollator>
#include <algorithm>

namespace {

QCollator CaseInsensitiveCollator() {
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

} // namespace

bool SameText(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

int AnsiCompareText(const QString& a, const QString& b) {
    return CaseInsensitiveCollator().compare(a, b);
}

void SortText(QStringList& list) {
    const QCollator collator = CaseInsensitiveCollator();
    std::sort(list.begin(), list.end(), [&collator](const QString& a, const QString& b) {
        return collator.compare(a, b) < 0;
    });
}

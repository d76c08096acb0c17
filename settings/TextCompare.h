#pragma once

#include <QString>
#include <QStringList>

// Texts equal ignoring case (Unicode case folding): how section names and keys match.
bool SameText(const QString& a, const QString& b);

// Orders texts ignoring case by the rules of the user's language; in the C locale,
// and for plain ASCII letters in any locale, that is plain case-insensitive order.
int AnsiCompareText(const QString& a, const QString& b);

// Sorts ascending by AnsiCompareText; texts that compare equal end up in no
// particular order.
void SortText(QStringList& list);

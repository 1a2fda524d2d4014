#pragma once
// The window's texts in the interface language, as Qt strings.

#include <QString>

#include "records/catalogue.h"

inline QString TrQ(const char* msgid) { return QString::fromUtf8(Tr(msgid)); }

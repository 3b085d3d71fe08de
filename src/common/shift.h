#pragma once

#include <QString>

namespace Lumo {

// The program's character shift, used for ".kar" files and the stored reminder date.
// Both work on single-byte character codes (0 to 255).
//
// ShiftEncode: each code c becomes c + 85; codes above 170 are dropped.
// ShiftDecode: each code b becomes b - 85; codes below 85 are dropped.
// The two are inverse for every text whose codes lie in 0 to 170.
QString ShiftEncode(const QString &text);
QString ShiftDecode(const QString &text);

} // namespace Lumo

#pragma once

#include <QString>

// The maker's web address: shown by the link label and opened by a click on it.
namespace WebAddress {

inline QString text()
{
    return QStringLiteral("https://numivox.org");
}

} // namespace WebAddress

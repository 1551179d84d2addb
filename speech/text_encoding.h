#pragma once

#include <QByteArray>
#include <QString>

// Texts in the older character sets that some synthesisers' front ends read (Festival's Czech voices
// read ISO-8859-2, its Catalan one ISO-8859-15), by ICU's converters.
namespace text_encoding {

// The text in that character set; a letter the set lacks is left out rather than sent as a
// question mark. Empty for a set ICU does not know.
QByteArray encode(const QString& text, const char* encoding);

// Back from that character set.
QString decode(const QByteArray& bytes, const char* encoding);

} // namespace text_encoding

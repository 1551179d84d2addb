#include "speech/text_encoding.h"

#include <unicode/ucnv.h>

#include <cstring>
#include <memory>

namespace {

struct Closer
{
    void operator()(UConverter* converter) const { ucnv_close(converter); }
};

std::unique_ptr<UConverter, Closer> open(const char* encoding)
{
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UConverter, Closer> converter(ucnv_open(encoding, &status));
    return U_SUCCESS(status) ? std::move(converter) : nullptr;
}

bool isUtf8(const char* encoding)
{
    return std::strcmp(encoding, "UTF-8") == 0;
}

} // namespace

namespace text_encoding {

QByteArray encode(const QString& text, const char* encoding)
{
    if (isUtf8(encoding))
        return text.toUtf8();
    const auto converter = open(encoding);
    if (!converter)
        return QByteArray();
    UErrorCode status = U_ZERO_ERROR;
    ucnv_setFromUCallBack(converter.get(), UCNV_FROM_U_CALLBACK_SKIP, nullptr, nullptr, nullptr, &status);
    // At most four bytes a UTF-16 unit in any character set ICU converts to.
    QByteArray result(text.size() * 4 + 1, '\0');
    const int32_t length = ucnv_fromUChars(converter.get(), result.data(), static_cast<int32_t>(result.size()),
        reinterpret_cast<const UChar*>(text.utf16()), static_cast<int32_t>(text.size()), &status);
    if (U_FAILURE(status))
        return QByteArray();
    result.truncate(length);
    return result;
}

QString decode(const QByteArray& bytes, const char* encoding)
{
    if (isUtf8(encoding))
        return QString::fromUtf8(bytes);
    const auto converter = open(encoding);
    if (!converter)
        return QString();
    UErrorCode status = U_ZERO_ERROR;
    // A byte of these sets is never more than one UTF-16 unit.
    QString text(bytes.size() + 1, QChar());
    const int32_t length = ucnv_toUChars(converter.get(), reinterpret_cast<UChar*>(text.data()),
        static_cast<int32_t>(text.size()), bytes.constData(), static_cast<int32_t>(bytes.size()), &status);
    text.truncate(U_SUCCESS(status) ? length : 0);
    return text;
}

} // namespace text_encoding

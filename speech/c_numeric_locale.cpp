#include "speech/c_numeric_locale.h"

CNumericLocale::CNumericLocale()
    : previous_(uselocale(static_cast<locale_t>(nullptr)))
{
    // A copy of the thread's locale (the global one unless the thread set its own), with only its
    // numbers replaced. Should the C library refuse, the thread goes on in its own locale.
    const locale_t copy = duplocale(previous_);
    if (!copy)
        return;
    numeric_ = newlocale(LC_NUMERIC_MASK, "C", copy);
    if (!numeric_) {
        freelocale(copy);
        return;
    }
    uselocale(numeric_);
}

CNumericLocale::~CNumericLocale()
{
    if (!numeric_)
        return;
    uselocale(previous_);
    freelocale(numeric_);
}

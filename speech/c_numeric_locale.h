#pragma once

#include <clocale>

// The synthesisers read the numbers of their voice data with the C library (atof, sscanf, strtod)
// and write numbers into the Scheme they evaluate with printf, all of which follow the locale that
// QApplication set from the environment. Under a decimal-comma locale (sv_SE, pt_PT, en_DK...)
// "0.95" then reads as 0, and Festival's voice asks for gigabytes. While one of these lives, the
// calling thread alone reads and writes numbers the C way; every other part of the locale (the
// classes of characters eSpeak's readers rely on), and every other thread, is left as it was.
class CNumericLocale
{
public:
    CNumericLocale();
    ~CNumericLocale();

    CNumericLocale(const CNumericLocale&) = delete;
    CNumericLocale& operator=(const CNumericLocale&) = delete;

private:
    locale_t previous_;
    locale_t numeric_ = nullptr;
};

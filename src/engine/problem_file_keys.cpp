#include "problem_file_keys.h"

#include "model/problem_data.h"

QLatin1String FeedSymbol(int element)
{
    switch (element) {
    case FeedMA:
        return QLatin1String("MA");
    case FeedMB:
        return QLatin1String("MB");
    case FeedFv:
        return QLatin1String("Fv");
    case FeedFl:
        return QLatin1String("Fl");
    case FeedXFv:
        return QLatin1String("xFv");
    case FeedXFl:
        return QLatin1String("xFl");
    case FeedTv:
        return QLatin1String("Tv");
    case FeedTl:
        return QLatin1String("Tl");
    case FeedXD:
        return QLatin1String("xD");
    case FeedXW:
        return QLatin1String("xW");
    case FeedR:
        return QLatin1String("R");
    }
    return QLatin1String();
}

#include "framework/system_metrics.h"

namespace {

struct Metric {
    int index;
    int value;
};

constexpr Metric kMetrics[] = {
    {SM_CXICON, 32},
    {SM_CYICON, 32},
    {SM_CXSMICON, 16},
    {SM_CYSMICON, 16},
};

}  // namespace

int GetSystemMetrics(int index)
{
    for (const Metric& metric : kMetrics) {
        if (metric.index == index)
            return metric.value;
    }
    return 0;
}

#include "patients/ClinicalChartLink.h"

namespace patients {

namespace {

ChartOpener& opener()
{
    static ChartOpener installed;
    return installed;
}

} // namespace

void SetChartOpener(ChartOpener open)
{
    opener() = std::move(open);
}

bool HasChartOpener()
{
    return static_cast<bool>(opener());
}

bool OpenChart(ChartPage page)
{
    if (!opener())
        return false;
    opener()(page);
    return true;
}

} // namespace patients

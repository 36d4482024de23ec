#pragma once
// Furnishes the main window with the pages "Graph", "Statistic" and "Histogram".

namespace ombrix {

class TOrvMainForm;

void InstallTimeCharts(TOrvMainForm& form);

} // namespace ombrix

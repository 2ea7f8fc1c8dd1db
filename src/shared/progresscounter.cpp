#include "shared/progresscounter.h"

#include <QProgressBar>
#include <algorithm>

ProgressCounter::ProgressCounter(QProgressBar& bar)
    : m_bar(bar),
      // A bar that was reset reports a value below its minimum; counting starts at the minimum.
      m_value(std::max(bar.value(), bar.minimum())),
      m_stride(std::max(1, (bar.maximum() - bar.minimum()) / std::max(1, bar.width())))
{
}

ProgressCounter::~ProgressCounter()
{
    // More items than the bar counts (a catalogue past the 16-bit limit) leave it full.
    m_bar.setValue(std::min(m_value, m_bar.maximum()));
}

void ProgressCounter::advance()
{
    ++m_value;
    if (m_value % m_stride == 0)
        m_bar.setValue(m_value);
}

#pragma once

// The order Tab walks a window's controls in.

#include <vector>

class QWidget;

/// Tab goes from each control to the next one of the list (null entries and
/// controls without focus are passed over).
void ChainTab(const std::vector<QWidget*>& controls);

/// Tab walks the controls as a reader sees them: row by row from the top,
/// left to right within a row (controls that share half the height of the
/// shorter one are on one row). The controls are placed first.
void ChainTabInReadingOrder(std::vector<QWidget*> controls);

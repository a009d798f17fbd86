#pragma once

// A visible mark on widgets whose style shows nothing when they have the
// keyboard's focus (views that scroll, charts, link-like buttons).

class QWidget;

/// While w has the focus, a frame in the highlight colour lies along its
/// edge, over its contents and without taking the mouse's clicks.
void MarkFocusOf(QWidget* w);

// The browsers of a schema window dock into its panels; hidden, they float again.
#pragma once

class QWidget;

// Takes Window out of its dock panel into a floating window of its owner, with its size,
// at the top left corner of the screen.
void UndockWindow(QWidget* Window, QWidget* Owner);

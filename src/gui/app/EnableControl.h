#pragma once

class QWidget;

namespace pellor {

// Enables or disables a control. Except for check boxes, group boxes, plain frames, radio
// buttons and labels, the control's background also shows the state: the application palette's
// Base colour when enabled, its Button colour when disabled.
void enableControl(QWidget* control, bool enabled);

} // namespace pellor

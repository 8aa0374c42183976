#pragma once
#include <QPoint>
#include <functional>

class QWidget;

namespace lumivox {

// Calls the handler when a mouse button that was pressed on the widget is
// released over it, with the button and the position on the screen. A
// release after the pointer has left the widget does nothing.
void onMouseReleasedOver(QWidget* widget, std::function<void(Qt::MouseButton button, QPoint globalPos)> handler);

}  // namespace lumivox

#pragma once
#include <QObject>
#include <functional>

class QWidget;

// Turns each key press of a control into a character code (Enter = 13),
// hands it to the control's handler and inserts the code the handler
// returns instead (0 inserts nothing).
namespace KeyPress {

constexpr int Enter = 13;
using Handler = std::function<int(int)>;

void install(QWidget* control, Handler handler);

// Return and keypad Enter on a focused push button press it, in every
// window of the program, as Space does.
void entreePresseLesBoutons();

}  // namespace KeyPress

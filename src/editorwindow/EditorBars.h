#pragma once

class QDockWidget;
class QLabel;
class QMainWindow;
class QPushButton;
class QString;
class QWidget;

// The look shared by the find bar and the go-to bar of a script window:
// docks without a title bar or user features, a grey gradient background,
// white labels and a small flat close button.
namespace EditorBars {

// A hidden bar in the bottom dock area of `window` (the top area is allowed
// too); `content` becomes its widget and gets the gradient background.
QDockWidget* addBar(QMainWindow* window, const QString& title, int maxHeight, QWidget* content);
QLabel* whiteLabel(const QString& text, QWidget* parent);
QPushButton* closeButton(QWidget* parent);

} // namespace EditorBars

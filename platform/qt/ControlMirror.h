#pragma once
// qtview::ControlMirror: the widget of one window of the tree. It makes the widget that fits
// the window's class and style, keeps it in step with the window (text, state, items,
// selection, geometry, visibility, enabling), and hands what a person does in it to the tree
// through PersonInput. Windows of an unknown class show as a labelled placeholder.

#include <QPointer>
#include <QWidget>

class CWnd;

namespace qtview {

class DialogMetrics;

class ControlMirror {
public:
    enum class Kind {
        Container, // plain windows and child dialogs (pages): only their children show
        Label,
        Picture,
        Frame,
        PushButton,
        CheckBox,
        RadioButton,
        GroupBox,
        LineEdit,
        TextEdit,
        Combo,
        CheckCombo,
        List,
        Thumbnails,
        Tabs,
        Sheet,
        Painted,    // a window of its own kind that draws itself
        Placeholder // a plain window of a class nobody knows
    };

    // Makes the widget of `window` inside `parent`.
    ControlMirror(CWnd& window, QWidget& parent);
    ~ControlMirror();
    ControlMirror(const ControlMirror&) = delete;
    ControlMirror& operator=(const ControlMirror&) = delete;

    // Brings the widget in step with the window. `origin` is the position, in the parent
    // widget, of the tree parent's client area.
    void sync(const DialogMetrics& metrics, QPoint origin);

    QWidget* widget() const { return widget_; }
    Kind kind() const { return kind_; }
    CWnd& window() const { return *window_; }
    // The widget's client-area origin for the children of this window.
    QPoint childOrigin(const DialogMetrics& metrics) const;

    static Kind kindOf(CWnd& window);

private:
    void connectInput();
    void syncState(const DialogMetrics& metrics);

    CWnd* window_;
    Kind kind_;
    QPointer<QWidget> widget_;
};

} // namespace qtview

// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

// A modal window whose controls may be made when it is first shown instead of with the window.
// The start-up makes every window of the program in a fixed order, yet a session may never show
// most of them; their controls (labels in fonts of other sizes, pictures, the palette bitmap)
// would all be paid for before the main window could appear.
//
// Made with Controls::Now (the default) a window is complete when its constructor returns. Made
// with Controls::WhenFirstShown it has no controls, and its public control pointers are null,
// until it is first shown or EnsureBuilt() is called; whoever touches a control of such a window
// before showing it calls EnsureBuilt() first. A member that prepares a showing, such as
// SetupDialog of the value dialog, builds the controls itself.
class DeferredDialog : public QDialog {
    Q_OBJECT
public:
    enum class Controls { Now, WhenFirstShown };

    // Makes the controls unless they exist already.
    void EnsureBuilt();
    [[nodiscard]] bool Built() const { return built_; }

    void setVisible(bool visible) override;

protected:
    DeferredDialog(QWidget* parent, Qt::WindowFlags flags);

    // Makes the controls; called once, by EnsureBuilt(). The constructor of a window made with
    // Controls::Now ends by calling EnsureBuilt() (a base class cannot call it for it).
    virtual void BuildControls() = 0;

private:
    bool built_ = false;
};

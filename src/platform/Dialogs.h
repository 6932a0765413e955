#pragma once
#include <QString>

// Modal French messages: title "Vitralog", no icon.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual void notice(const QString& text) = 0;
    virtual bool question(const QString& text) = 0;  // true for Yes
    // The same, with No as the default button when asked (a step hard to take back).
    virtual bool question(const QString& text, bool /*nonParDefaut*/) { return question(text); }
};

class QtDialogs : public Dialogs {
public:
    void notice(const QString& text) override;
    bool question(const QString& text) override;
    bool question(const QString& text, bool nonParDefaut) override;
};

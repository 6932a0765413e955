#pragma once
#include <QString>

// Modal French messages: title "Vitralog", no icon.
class Dialogs {
public:
    // The button Enter presses. A question that removes or replaces what the
    // operator has takes Non, so that Enter alone never loses anything.
    enum class Defaut { Oui, Non };

    virtual ~Dialogs() = default;
    virtual void notice(const QString& text) = 0;
    // true for Oui.
    virtual bool question(const QString& text, Defaut defaut = Defaut::Oui) = 0;
};

class QtDialogs : public Dialogs {
public:
    void notice(const QString& text) override;
    bool question(const QString& text, Defaut defaut = Defaut::Oui) override;
};

// The embedded web engine, built as a module that the program loads the
// first time a page opens: linking it would load its 150 MB at every start.
#include <QVBoxLayout>
#include <QWebEngineView>

#include "platform/WebView.h"

namespace {

class VueMoteur : public WebView {
public:
    explicit VueMoteur(QWidget* parent) : WebView(parent) {
        auto* lay = new QVBoxLayout(this);
        lay->setContentsMargins(0, 0, 0, 0);
        vue_ = new QWebEngineView(this);
        lay->addWidget(vue_);
    }
    void navigate(const QUrl& url) override { vue_->setUrl(url); }

private:
    QWebEngineView* vue_;
};

}  // namespace

extern "C" Q_DECL_EXPORT WebView* vitralog_vue_moteur(QWidget* parent) { return new VueMoteur(parent); }

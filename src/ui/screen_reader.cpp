#include "screen_reader.h"

#include "status_text.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QEvent>
#include <QLabel>

#ifdef Q_OS_WIN
// windows.h first: the other two are built on its types.
#include <windows.h>

#include <oleauto.h>
#include <unknwn.h>
#endif

namespace {

const char class_name[] = "spoken_notice";

// Qt gives a plain widget the role of a client area, which a screen reader
// presents only when it gets the focus.
QAccessibleInterface *notice_interface(const QString &key, QObject *object)
{
    if (key == QLatin1String(class_name) && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification);
    return nullptr;
}

#ifdef Q_OS_WIN
// UiaRaiseNotificationEvent and the UI Automation host element of a window, from
// uiautomationcore.dll. The provider is an IRawElementProviderSimple, handed on
// as the IUnknown it derives from, so that no UI Automation header is needed.
// The enumerations' values: NotificationKind_ActionCompleted is 2,
// NotificationProcessing_ImportantMostRecent 1.
using host_provider_function = HRESULT(WINAPI *)(HWND, IUnknown **);
using notification_function = HRESULT(WINAPI *)(IUnknown *, int, int, BSTR, BSTR);
const int action_completed = 2;
const int important_most_recent = 1;

void raise_uia_notification(QWidget &widget, const QString &text)
{
    static const HMODULE uia = LoadLibraryW(L"uiautomationcore.dll");
    if (!uia)
        return;
    static const auto host_provider = reinterpret_cast<host_provider_function>(
        reinterpret_cast<void *>(GetProcAddress(uia, "UiaHostProviderFromHwnd")));
    static const auto notify = reinterpret_cast<notification_function>(
        reinterpret_cast<void *>(GetProcAddress(uia, "UiaRaiseNotificationEvent")));
    if (!host_provider || !notify)
        return;
    QWidget *window = widget.window();
    IUnknown *provider = nullptr;
    if (FAILED(host_provider(reinterpret_cast<HWND>(window->winId()), &provider)) || !provider)
        return;
    BSTR display = SysAllocString(reinterpret_cast<const wchar_t *>(text.utf16()));
    // One activity for every notice, so that a newer one replaces one still queued.
    BSTR activity = SysAllocString(L"velmora-update");
    notify(provider, action_completed, important_most_recent, display, activity);
    SysFreeString(activity);
    SysFreeString(display);
    provider->Release();
}
#endif

// Names the caption anew as its box gets the focus: the box is refilled in ways
// that no signal of it tells (under a signal blocker).
class caption_namer : public QObject
{
public:
    caption_namer(QComboBox &box, QLabel &caption) : QObject(&box), box(box), caption(caption) {}

    void name()
    {
        const QString entry = box.currentText();
        caption.setAccessibleName(entry.isEmpty() ? caption.text()
                                                  : caption.text() + QLatin1Char(' ') + entry);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == &box && event->type() == QEvent::FocusIn)
            name();
        return false;
    }

private:
    QComboBox &box;
    QLabel &caption;
};

} // namespace

void speak_chosen_entry(QComboBox &box, QLabel &caption)
{
    auto *namer = new caption_namer(box, caption);
    box.installEventFilter(namer);
    QObject::connect(&box, &QComboBox::currentTextChanged, namer, &caption_namer::name);
    namer->name();
}

spoken_notice::spoken_notice(QWidget *parent) : QWidget(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(notice_interface);
        return true;
    }();
    Q_UNUSED(installed)
    setObjectName(QLatin1String(class_name));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    hide();
}

void spoken_notice::say(const QString &text)
{
    setAccessibleName(text);
    // Orca presents a notification when it is shown; hidden first, so that each
    // text is shown anew.
    hide();
    show();
#ifdef Q_OS_WIN
    raise_uia_notification(*this, text);
#endif
}

void update_notices::text_sent(const QString &text)
{
    for (const QString &entry : status_text::entries(text)) {
        const QString words = entry.simplified();
        // A progress line is opened with its first figure, "Upload Progress 0%",
        // and then rewritten; every progress line ends in its figure, and no message
        // does.
        if (!status_text::is_progress(entry) && !words.isEmpty() &&
            !words.endsWith(QLatin1Char('%'))) {
            since_colour << words;
            if (!opening.isEmpty()) {
                notice->say(opening + QLatin1String(". ") + words);
                opening.clear();
            }
        }
    }
}

void update_notices::colour_sent()
{
    explanation = since_colour.join(QLatin1Char(' '));
    since_colour.clear();
}

void update_notices::phase_changed(update_phase phase, const QString &words)
{
    switch (phase) {
    case update_phase::idle:
        return;
    case update_phase::running:
        // What was sent before belongs to the runs before.
        since_colour.clear();
        explanation.clear();
        opening = words;
        return;
    case update_phase::succeeded:
        opening.clear();
        notice->say(words);
        return;
    case update_phase::failed:
        opening.clear();
        notice->say(explanation.isEmpty() ? words : words + QLatin1String(". ") + explanation);
        return;
    }
}

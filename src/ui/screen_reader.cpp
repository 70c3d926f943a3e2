#include "screen_reader.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
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

} // namespace

void name_with_entry(QLabel &caption, const QComboBox &box)
{
    const QString entry = box.currentText();
    caption.setAccessibleName(entry.isEmpty() ? caption.text()
                                              : caption.text() + QLatin1Char(' ') + entry);
}

void speak_chosen_entry(QComboBox &box, QLabel &caption)
{
    QObject::connect(&box, &QComboBox::currentTextChanged, &caption,
                     [&box, &caption] { name_with_entry(caption, box); });
    name_with_entry(caption, box);
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

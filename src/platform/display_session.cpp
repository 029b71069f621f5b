#include "platform/display_session.h"

#include <QCoreApplication>

namespace orvel {

DisplaySession display_session(const QString& display, const QString& wayland_display,
                               const QString& session_type)
{
    const bool wayland = !wayland_display.isEmpty() || session_type.compare(QLatin1String("wayland"), Qt::CaseInsensitive) == 0;
    if (!display.isEmpty())
        return wayland ? DisplaySession::XWayland : DisplaySession::X11;
    return wayland ? DisplaySession::WaylandOnly : DisplaySession::None;
}

DisplaySession display_session_from_environment()
{
    return display_session(qEnvironmentVariable("DISPLAY"), qEnvironmentVariable("WAYLAND_DISPLAY"),
                           qEnvironmentVariable("XDG_SESSION_TYPE"));
}

QString display_session_notice(DisplaySession session)
{
    switch (session) {
    case DisplaySession::X11:
        return {};
    case DisplaySession::XWayland:
        return QCoreApplication::translate(
            "Orvel",
            "Aquesta és una sessió Wayland: Orvel només pot escriure i moure el ratolí en els "
            "programes X11 (els que funcionen amb XWayland). Els programes propis de Wayland no "
            "reben res d'Orvel: per fer-los servir, entreu en una sessió X11 (per exemple «GNOME "
            "sobre Xorg» a la pantalla d'entrada).");
    case DisplaySession::WaylandOnly:
        return QCoreApplication::translate(
            "Orvel",
            "Orvel no pot funcionar en aquesta sessió: és una sessió Wayland sense X11 (XWayland), "
            "i Orvel mostra els plafons i escriu només a través d'X11. Entreu en una sessió X11 "
            "(per exemple «GNOME sobre Xorg» a la pantalla d'entrada) o activeu XWayland: llavors "
            "Orvel escriurà en els programes X11.");
    case DisplaySession::None:
        return QCoreApplication::translate(
            "Orvel",
            "No hi ha cap pantalla X11 (la variable DISPLAY és buida): Orvel mostra els plafons "
            "i escriu a través d'X11.");
    }
    return {};
}

}  // namespace orvel

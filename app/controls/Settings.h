#pragma once
// The per-user settings, reached through one place: the store is always
// "Orvan Soft"/"Quorvex", and each editor page remembers the record it showed
// last in section "Settings" under its own name ("m_btlCmdIdx", "PrevSmst").
#include <QSettings>
#include <QString>

inline QSettings QuorvexSettings() { return QSettings(QStringLiteral("Orvan Soft"), QStringLiteral("Quorvex")); }

// One remembered selection: Get clamps what was stored into 0 .. count - 1,
// so a value left by another image (or edited by hand) never selects a
// record that does not exist.
class IndexSetting {
public:
    constexpr explicit IndexSetting(const char* name) : m_name(name) {}
    int Get(int count) const
    {
        const int v = QuorvexSettings().value(Key(), 0).toInt();
        return count <= 0 ? 0 : v < 0 ? 0 : v >= count ? count - 1 : v;
    }
    void Set(int value) const { QuorvexSettings().setValue(Key(), value); }

private:
    QString Key() const { return QStringLiteral("Settings/") + QLatin1String(m_name); }
    const char* m_name;
};

#pragma once

#include <QString>

// The product's own facts, shown by the about box, the help menu and critical messages.
namespace ProductInfo {

inline QString Name() {
    return QStringLiteral("Staymark");
}
inline QString Description() {
    return QStringLiteral("For managing all types of hotels.");
}
inline QString Version() {
    return QStringLiteral(STAYMARK_VERSION);
}
inline QString HomePage() {
    return QStringLiteral("https://staymark.example/");
}
inline QString SupportPage() {
    return QStringLiteral("https://staymark.example/support");
}
inline QString SupportAddress() {
    return QStringLiteral("support@staymark.example");
}

} // namespace ProductInfo

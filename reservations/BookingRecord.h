#pragma once

#include "core/Currency.h"

#include <QDate>
#include <QString>
#include <QStringList>

// One booking as the booking window submits it, every value in its stored form.
struct BookingRecord {
    QString title;
    QString firstName;
    QString lastName;
    QString address;
    QString phone;
    int adults = 0;
    int minors = 0;
    QDate arrival;
    QDate departure;
    int days = 0;
    Currency roomRate;
    Currency tax;
    Currency grandTotal;
    Currency advance;
    Currency due;
    QString paymentMethod;
    QString paymentDetails;
    QStringList roomIds;    // in the order of the added rooms
    QStringList roomPrices; // each room's tariff as the window displayed it
    QString note;
    QString status;
    QString uniqueNo; // drawn when the booking is saved
};

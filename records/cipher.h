#pragma once

#include <QByteArray>
#include <QByteArrayView>

// Flips the top bit of every byte: (b + 128) mod 256. Applied twice it gives back what it was
// given, so the one routine both enciphers and deciphers.
QByteArray Зашифровать_расшифровать(QByteArrayView text);

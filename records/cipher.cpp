#include "records/cipher.h"

QByteArray Зашифровать_расшифровать(QByteArrayView text)
{
    QByteArray result;
    result.reserve(text.size());
    for (char byte : text)
        result.append(char((static_cast<unsigned char>(byte) + 128) % 256));
    return result;
}

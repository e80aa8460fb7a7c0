#pragma once

#include <QString>

namespace rillo {

class PlatformServices;

// One value of the settings store, declared once beside the code that uses
// it: its section, its key and what a missing key reads as. Call sites read
// and write through the declaration and never spell a key.
//   Setting<QString>: the stored text as it is.
//   Setting<int>: a whole number (surrounding blanks allowed, rounded to the
//   nearest); a missing key, any other text or a magnitude past 10 000 000
//   (far past any value the program keeps) reads as the default, so that one
//   damaged entry cannot keep the program from starting.
template <class T>
class Setting {
   public:
    constexpr Setting(const char* section, const char* key, T defaultValue)
        : section_(section), key_(key), default_(defaultValue) {}

    T Read(PlatformServices& services) const { return ReadOr(services, default_); }
    // The same with a default known only at run time.
    T ReadOr(PlatformServices& services, T defaultValue) const;
    void Write(PlatformServices& services, const T& value) const;

    QString Section() const { return QString::fromLatin1(section_); }
    QString Key() const { return QString::fromLatin1(key_); }
    const T& Default() const { return default_; }

   private:
    const char* section_;
    const char* key_;
    T default_;
};

template <>
QString Setting<QString>::ReadOr(PlatformServices& services, QString defaultValue) const;
template <>
void Setting<QString>::Write(PlatformServices& services, const QString& value) const;
template <>
int Setting<int>::ReadOr(PlatformServices& services, int defaultValue) const;
template <>
void Setting<int>::Write(PlatformServices& services, const int& value) const;

}  // namespace rillo

#pragma once
// A dialog the program reaches through an interface (message boxes, the
// file and folder pickers): the real one, unless a test installed a stand-in.

namespace plat {

template <class Interface, class Real>
class StandIn {
public:
    // The installed stand-in, else the real one (made at its first use).
    Interface& get() const
    {
        static Real real;
        return installed_ ? *installed_ : real;
    }
    // Installs a stand-in; nullptr goes back to the real one.
    void install(Interface* standIn) { installed_ = standIn; }

private:
    Interface* installed_ = nullptr;
};

}  // namespace plat

#pragma once

// One lambda per alternative, for std::visit.
template <class... Handlers> struct Overloaded : Handlers... {
    using Handlers::operator()...;
};

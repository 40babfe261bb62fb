#pragma once

// One lambda per alternative, for std::visit.
template <class... Handlers> struct Overloaded : Handlers... {
    using Handlers::operator()...;
};

// Clang before 17 does not deduce an aggregate's arguments by itself.
template <class... Handlers> Overloaded(Handlers...) -> Overloaded<Handlers...>;

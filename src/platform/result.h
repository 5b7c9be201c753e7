#pragma once
// Writers and starters return whether they succeeded ([[nodiscard]]). A
// caller that deliberately goes on after a failure says so here, with why it
// does not matter there; the failure is logged with that reason.
namespace plat {

void ignoreFailure(bool succeeded, const char* why);

}  // namespace plat

// Runs steps one per turn of the event loop.
#pragma once

#include <functional>
#include <vector>

// Runs the steps in order, each in a turn of the event loop of its own, the first once the loop
// runs: a browser page, whose one thread also draws and takes input, then runs none of them
// together in one long task.
void runInTurns(std::vector<std::function<void()>> steps);

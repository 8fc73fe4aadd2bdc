// SPDX-License-Identifier: MIT
#pragma once

// How far the tables search for an agent number.
namespace AgentSearch {

// The most agent numbers a table tries for one load: the Agents table
// shows at most this many rows (1 to 19), and a Schedule slot whose goal
// none of them meets keeps the last one.
constexpr int AgentNumbersTried = 19;

} // namespace AgentSearch

#pragma once

// File › Print Season Report: reads the current team's season, names the players whose files
// cannot be read (printing without them only if the user says so), and shows the report in a
// preview to print from.

class WindowHost;

void printSeasonReport(WindowHost &host);

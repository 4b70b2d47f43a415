#pragma once

// libarchive, loaded the first time a team backup is written or read. Linked to the program, it
// and the libraries it needs would be loaded at every start, a few milliseconds of each start for
// what a coach does a few times a season.

#include "Outcome.h"

#include <archive.h>
#include <archive_entry.h>

// The functions the team backups use, each named as in the library without its "archive_".
// clang-format off
#define SCOREBINDER_ARCHIVE_FUNCTIONS(function)                                                    \
    function(entry_filetype)                                                                       \
    function(entry_free)                                                                           \
    function(entry_hardlink)                                                                       \
    function(entry_new)                                                                            \
    function(entry_pathname_utf8)                                                                  \
    function(entry_set_filetype)                                                                   \
    function(entry_set_mtime)                                                                      \
    function(entry_set_pathname_utf8)                                                              \
    function(entry_set_perm)                                                                       \
    function(entry_set_size)                                                                       \
    function(entry_size)                                                                           \
    function(entry_size_is_set)                                                                    \
    function(entry_symlink)                                                                        \
    function(error_string)                                                                         \
    function(free)                                                                                 \
    function(read_data)                                                                            \
    function(read_new)                                                                             \
    function(read_next_header)                                                                     \
    function(read_open_filename)                                                                   \
    function(read_support_filter_gzip)                                                             \
    function(read_support_format_tar)                                                              \
    function(write_add_filter_gzip)                                                                \
    function(write_close)                                                                          \
    function(write_data)                                                                           \
    function(write_header)                                                                         \
    function(write_new)                                                                            \
    function(write_open)                                                                           \
    function(write_set_format_pax_restricted)
// clang-format on

struct ArchiveLibrary
{
#define SCOREBINDER_ARCHIVE_MEMBER(name) decltype(&::archive_##name) name = nullptr;
    SCOREBINDER_ARCHIVE_FUNCTIONS(SCOREBINDER_ARCHIVE_MEMBER)
#undef SCOREBINDER_ARCHIVE_MEMBER
};

// The library's functions, loaded once; or why it cannot be loaded.
Outcome<const ArchiveLibrary *> archiveLibrary();

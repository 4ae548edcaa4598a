# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Zelvo developers
# The release's version (project()) and date (ZELVO_RELEASE_DATE, YYYY-MM-DD)
# in the forms the generated files need, and the header that brings both into
# the programs (target zelvo_release).

if(NOT ZELVO_RELEASE_DATE MATCHES "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$")
  message(FATAL_ERROR "ZELVO_RELEASE_DATE '${ZELVO_RELEASE_DATE}' is not YYYY-MM-DD")
endif()
set(year ${CMAKE_MATCH_1})
set(month_text ${CMAKE_MATCH_2})
set(day_text ${CMAKE_MATCH_3})
# Leading zeros stripped: math() must not read "08" as anything but eight.
string(REGEX REPLACE "^0" "" month ${month_text})
string(REGEX REPLACE "^0" "" day ${day_text})
if(month LESS 1 OR month GREATER 12 OR day LESS 1 OR day GREATER 31)
  message(FATAL_ERROR "ZELVO_RELEASE_DATE '${ZELVO_RELEASE_DATE}' is no date")
endif()

set(month_names January February March April May June July August September October
    November December)
math(EXPR month_index "${month} - 1")
list(GET month_names ${month_index} month_name)
string(SUBSTRING ${month_name} 0 3 month_abbrev)

# Day of the week (Sakamoto's method, 0 = Sunday) for the changelog's RFC 2822 date.
set(month_offsets 0 3 2 5 0 3 5 1 4 6 2 4)
list(GET month_offsets ${month_index} offset)
set(y ${year})
if(month LESS 3)
  math(EXPR y "${y} - 1")
endif()
math(EXPR weekday "(${y} + ${y} / 4 - ${y} / 100 + ${y} / 400 + ${offset} + ${day}) % 7")
set(weekday_names Sun Mon Tue Wed Thu Fri Sat)
list(GET weekday_names ${weekday} weekday_name)

# "December 2026" for the manual pages, "Tue, 08 Dec 2026 00:00:00 +0000" for the changelog.
set(ZELVO_RELEASE_MONTH "${month_name} ${year}")
set(ZELVO_RELEASE_DATE_RFC2822 "${weekday_name}, ${day_text} ${month_abbrev} ${year} 00:00:00 +0000")

configure_file(${CMAKE_CURRENT_LIST_DIR}/release.h.in
               ${PROJECT_BINARY_DIR}/generated/release.h @ONLY)
add_library(zelvo_release INTERFACE)
target_include_directories(zelvo_release INTERFACE ${PROJECT_BINARY_DIR}/generated)

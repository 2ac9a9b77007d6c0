# SPDX-FileCopyrightText: 2026 Tarsomel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Makes the Windows Installer package from tarsomel.wxs with Debian's wixl
# and msibuild (msitools 0.101), around what that version gets wrong:
#  - the tables' strings are written in the code page of WINDOWS_LANGUAGE
#    (or of the locale: in C, Cyrillic becomes empty strings), while the
#    database is stamped with none, so that Windows would read them as its
#    own code page; Codepage="1251" reaches only the summary. So: build as
#    Bulgarian, then stamp the database as 1251;
#  - the summary's languages say 1033 whatever Package/@Languages says;
#  - File.Version stays empty, and the versioned exe gets an MsiFileHash row
#    (which Windows keeps for unversioned files only): the version set, the
#    row dropped.
# Run as cmake -P with WIXL, MSIBUILD, MSIINFO, WXS, EXE, ICON, VERSION,
# FILE_VERSION, LANGUAGE, PRODUCT_CODE, PUBLISHER, HOMEPAGE, STAGE and OUTPUT.
foreach(name WIXL MSIBUILD MSIINFO WXS EXE ICON VERSION FILE_VERSION LANGUAGE PRODUCT_CODE PUBLISHER HOMEPAGE STAGE
             OUTPUT)
  if(NOT DEFINED ${name})
    message(FATAL_ERROR "msi.cmake: ${name} is not set")
  endif()
endforeach()

set(ENV{WINDOWS_LANGUAGE} bg_BG)

function(run)
  execute_process(COMMAND ${ARGN} WORKING_DIRECTORY ${STAGE} RESULT_VARIABLE status OUTPUT_VARIABLE out
                  ERROR_VARIABLE out)
  # wixl says nothing on success; GLib's warnings are failures here too.
  if(NOT status EQUAL 0 OR out MATCHES "CRITICAL|WARNING")
    message(FATAL_ERROR "${ARGN}: status ${status}\n${out}")
  endif()
endfunction()

# wixl finds sources only by names relative to the .wxs.
file(REMOVE_RECURSE ${STAGE})
file(MAKE_DIRECTORY ${STAGE})
file(COPY_FILE ${WXS} ${STAGE}/tarsomel.wxs)
file(COPY_FILE ${EXE} ${STAGE}/tarsomel.exe)
file(COPY_FILE ${ICON} ${STAGE}/tarsomel.ico)
set(msi ${STAGE}/tarsomel.msi)
run(${WIXL} -a x64 -o ${msi} -D Version=${VERSION} -D ProductCode=${PRODUCT_CODE} -D Exe=tarsomel.exe
    -D Icon=tarsomel.ico -D Publisher=${PUBLISHER} -D Homepage=${HOMEPAGE} tarsomel.wxs)

file(WRITE ${STAGE}/_ForceCodepage.idt "\r\n\r\n1251\t_ForceCodepage\r\n")
run(${MSIBUILD} ${msi} -i _ForceCodepage.idt)
run(${MSIBUILD} ${msi} -q
    "UPDATE `File` SET `Version` = '${FILE_VERSION}', `Language` = '${LANGUAGE}' WHERE `File` = 'tarsomel.exe'")
run(${MSIBUILD} ${msi} -q "DELETE FROM `MsiFileHash` WHERE `File_` = 'tarsomel.exe'")

# The summary written again with its own subject, author and package code,
# and the package's language.
execute_process(COMMAND ${MSIINFO} suminfo ${msi} OUTPUT_VARIABLE summary RESULT_VARIABLE status)
string(REGEX MATCH "Subject: ([^\n]*)" _ "${summary}")
set(subject ${CMAKE_MATCH_1})
string(REGEX MATCH "Author: ([^\n]*)" _ "${summary}")
set(author ${CMAKE_MATCH_1})
string(REGEX MATCH "Revision number \\(UUID\\): ([^\n]*)" _ "${summary}")
set(package_code ${CMAKE_MATCH_1})
if(NOT status EQUAL 0 OR subject STREQUAL "" OR package_code STREQUAL "")
  message(FATAL_ERROR "msi.cmake: cannot read the summary of ${msi}:\n${summary}")
endif()
# (Not through run(): the template's semicolon would split it in two.)
execute_process(COMMAND ${MSIBUILD} ${msi} -s ${subject} ${author} "x64;${LANGUAGE}" ${package_code}
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "msi.cmake: the summary of ${msi} could not be written")
endif()

# What wixl lost without a word would show here: the names in Cyrillic.
execute_process(COMMAND ${MSIINFO} export ${msi} Property OUTPUT_VARIABLE properties)
if(NOT properties MATCHES "ProductName\tТарсомел")
  message(FATAL_ERROR "msi.cmake: the package's ProductName is not Тарсомел:\n${properties}")
endif()
file(RENAME ${msi} ${OUTPUT})

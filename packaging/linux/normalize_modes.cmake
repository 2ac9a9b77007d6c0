# SPDX-FileCopyrightText: 2026 Tarsomel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Run by CPack between staging the files and packing them: every folder of
# the package readable and enterable by all, every file readable by all,
# whatever the umask of the machine that packs it. A folder staged as
# drwx------ would become one on the pupil's computer.
execute_process(COMMAND chmod -R u+rwX,go+rX,go-w "${CPACK_TEMPORARY_INSTALL_DIRECTORY}" COMMAND_ERROR_IS_FATAL ANY)

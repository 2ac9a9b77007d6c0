#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tarsomel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Stands in for a fuzzer that finds a crash: prints what libFuzzer would and
# dies of a signal.
echo "==1==ERROR: AddressSanitizer: SEGV on unknown address 0x000000000000"
echo "SUMMARY: AddressSanitizer: SEGV"
kill -SEGV $$

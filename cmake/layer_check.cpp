// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Linked with one layer whole and only the layers below it: it builds only while no
// code of that layer calls a layer above it.

int main()
{
    return 0;
}

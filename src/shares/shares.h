// Share management commands of the context menu.
#pragma once

void ShareFolder();
void ShowLocalShares();
void EnableGuestSharing();

// The network neighbourhood: filling ComputerList, marking computers that
// answer, the saved list of the last scan, opening a computer, address view.
#pragma once

// Thread routine; its argument is ignored.
void NeighbourhoodScan(int);
// Thread routine; checks the item at this 1-based position.
void ReachabilityCheck(int position);
// On the user-interface thread: refills the list from the scan cache.
void CacheReload();
// Left click anywhere in ComputerList.
void OnComputerListClick();
// Context-menu item: starts AddressView on a new thread.
void StartAddressView();
// Thread routine; its argument is ignored.
void AddressView(int);

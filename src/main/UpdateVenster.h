#pragma once
// The main window's side of the version check and the update download.

class frmVeldom01Form;

// Start-up step: asks for the internet connection, runs the version check,
// sets WebsiteBereikbaar, shows or hides cmdVideo and shows cmdDownLoad
// when a newer version is published.
void VersieControle(frmVeldom01Form& frm);

// cmdDownLoad_Click: downloads the update with the window disabled and the
// hourglass showing. A failed or incomplete download leaves the old file,
// says so (text 173) and gives the window back. A complete one is announced
// (text 174), opened with the desktop's default handler and the program
// ends.
void DownloadUpdate(frmVeldom01Form& frm);

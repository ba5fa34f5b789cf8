#pragma once

class ReaderLink;

// "Change Mode": once the operator agrees, tells the reader to change to its other interface;
// the link goes down and the utility closes (the operator connects again over the other
// transport).
void changeInterface(ReaderLink &link);

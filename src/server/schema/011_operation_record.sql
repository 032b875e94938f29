-- Item counts of an operation as the scrub nurse keeps them: per item the count
-- at the start, what was added to the field during the operation and the count
-- at closing. Kind 'S' sponges, 'I' instruments, 'N' needles.
CREATE TABLE STATION..tbORItemCount (
    OperatingNum int NOT NULL,
    Kind varchar(1) NOT NULL,
    RowNum int NOT NULL,
    Item varchar(50) NULL,
    InitialCount int NULL DEFAULT 0,
    AddedCount int NULL DEFAULT 0,
    FinalCount int NULL DEFAULT 0,
    PRIMARY KEY (OperatingNum, Kind, RowNum)
)
GO
-- Why a count that does not add up was accepted at the circulating nurse's
-- sign-off; printed on the counting sheet.
ALTER TABLE STATION..tbORMasterFile ADD CountMismatchReason varchar(500) NULL
GO

-- The dosages a medicine is charged with, and the deposits a patient paid on
-- a stay, which the charge entry shows beside the charges.

-- Dosage codes of the build file: how much and how often.
CREATE TABLE BUILD_FILE..tbCoDosage (
    DosageID varchar(10) NOT NULL,
    Dosage varchar(100) NULL,
    Frequency varchar(50) NULL,
    Status char(1) NULL DEFAULT 'A',
    PRIMARY KEY (DosageID)
)
GO

INSERT INTO BUILD_FILE..tbCoDosage (DosageID, Dosage, Frequency) VALUES ('OD', 'ONCE A DAY', '1X A DAY')
INSERT INTO BUILD_FILE..tbCoDosage (DosageID, Dosage, Frequency) VALUES ('BID', 'TWICE A DAY', '2X A DAY')
INSERT INTO BUILD_FILE..tbCoDosage (DosageID, Dosage, Frequency) VALUES ('TID', 'THREE TIMES A DAY', '3X A DAY')
INSERT INTO BUILD_FILE..tbCoDosage (DosageID, Dosage, Frequency) VALUES ('QID', 'FOUR TIMES A DAY', '4X A DAY')
INSERT INTO BUILD_FILE..tbCoDosage (DosageID, Dosage, Frequency) VALUES ('Q6', 'EVERY 6 HOURS', 'Q6H')
INSERT INTO BUILD_FILE..tbCoDosage (DosageID, Dosage, Frequency) VALUES ('PRN', 'AS NEEDED', 'PRN')
INSERT INTO BUILD_FILE..tbCoDosage (DosageID, Dosage, Frequency) VALUES ('STAT', 'AT ONCE', 'STAT')
GO

-- Deposits and advance payments received for a stay, one row per receipt.
-- Cancelled receipts keep their row with Status 'C'.
CREATE TABLE BILLING..tbBillDeposit (
    IDNum varchar(20) NOT NULL,
    HospNum varchar(20) NULL,
    ORNumber varchar(20) NOT NULL,
    DepositDate datetime NULL,
    Amount money NULL DEFAULT 0,
    Remarks varchar(150) NULL,
    Status char(1) NULL DEFAULT 'A',
    PRIMARY KEY (IDNum, ORNumber)
)
GO

INSERT INTO BILLING..tbBillDeposit (IDNum, ORNumber, DepositDate, Amount, Remarks) VALUES ('1000158', '0045120', '2026-11-02 09:14:00', 15000.00, 'INITIAL DEPOSIT')
INSERT INTO BILLING..tbBillDeposit (IDNum, ORNumber, DepositDate, Amount, Remarks) VALUES ('1000158', '0045388', '2026-11-04 16:40:00', 7500.50, 'ADVANCE PAYMENT')
INSERT INTO BILLING..tbBillDeposit (IDNum, ORNumber, DepositDate, Amount, Remarks) VALUES ('1000160', '0045201', '2026-11-03 11:05:00', 20000.00, 'INITIAL DEPOSIT')
INSERT INTO BILLING..tbBillDeposit (IDNum, ORNumber, DepositDate, Amount, Remarks) VALUES ('1000162', '0045277', '2026-11-03 14:22:00', 5000.00, 'PARTIAL DEPOSIT')
GO

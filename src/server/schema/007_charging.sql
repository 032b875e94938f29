-- Charging: what the posting, the revocation and the charge slip rely on
-- beyond the first schema.

-- The drug look-up reports an item's average cost beside its selling prices.
ALTER TABLE INVENTORY..tbInvMaster ADD AverageCost money NULL DEFAULT 0
GO

-- A stock-card row is an issue ('D') or the reversal of one ('C'), as on the bills.
ALTER TABLE INVENTORY..tbInvStockcard ADD TransType varchar(1) NULL
GO

-- The standing amount of a posted line is the sum of its bill rows; a
-- revocation reads it by patient, slip and item.
CREATE INDEX IX_tbBillDailyBill_IDNumRef ON BILLING..tbBillDailyBill (IDNum, RefNum, ItemID)
GO
CREATE INDEX IX_tbBillOPDailyOut_IDNumRef ON BILLING..tbBillOPDailyOut (IDNum, RefNum, ItemID)
GO
CREATE INDEX IX_tbInvStockcard_Tagging ON INVENTORY..tbInvStockcard (IDNum, ItemID, RefNum)
GO

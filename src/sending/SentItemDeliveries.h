#pragma once

#include "sending/DeliveryMatcher.h"
#include "stores/DeliveryRecord.h"
#include "stores/SentItem.h"

#include <optional>
#include <vector>

// Which delivery row of the store wrote each sent-items record. The record keeps only number,
// message, day and status, so a row is known by the same three things: its parts keep the
// number, the day and a fingerprint of the message as the log reads them back. Records and
// rows with one key are paired from the newest back: the k-th last record with a sent status
// and that key is the k-th last row with it. Counting from the newest keeps the pairs right
// when older records are cleared from the log and when runs older than the store's parts (or
// runs that asked for no report) wrote records of the same key before.
std::vector<std::optional<DeliveryRowId>>
SentItemRows(const std::vector<SentItem>& items, const std::vector<DeliveryRecordEntry>& entries);

// The "Delivery" texts of the records by the store's parts and reports: "" for a record no
// report was asked for.
std::vector<QString> SentItemDeliveryTexts(const std::vector<SentItem>& items,
                                           const std::vector<DeliveryRecordEntry>& entries);
